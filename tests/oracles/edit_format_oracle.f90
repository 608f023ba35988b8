! Reference strings for the edit descriptors and the report's real cell,
! produced by the Fortran runtime itself. Output lines:
!   <descriptor>|<value, 17 significant digits>|<result>
! The C++ tests embed this table; regenerate with generate_edit_format_table.sh.
program edit_format_oracle
  implicit none
  integer, parameter :: nv = 93
  real(8) :: v(nv), nan, inf, z
  character(len=12) :: fmts(19)
  integer :: widths(4) = (/ 8, 10, 12, 15 /)
  integer(8) :: iv(12)
  character(len=12) :: ifmts(6)
  integer :: i, j, k, w
  character(len=64) :: out
  character(len=32) :: f

  z = 0d0
  nan = z / z
  inf = huge(1d0); inf = inf * inf
  v = (/ 0d0, -z, 1d0, -1d0, 0.5d0, -0.5d0, 0.125d0, 0.375d0, 2.5d0, 3.5d0, &
         12.5d0, -12.5d0, 0.0005d0, -0.0005d0, 0.00049999d0, 2d-6, 3.2d9, &
         123456d0, -123456d0, 99999.5d0, 999.9995d0, 9.99995d0, 0.99999d0, &
         0.999995d0, 1.23456789d0, -1.23456789d0, 123.456789d0, 1234567.891d0, &
         1d-13, -1d-13, 1d-25, 1d-30, 2.2250738585072014d-308, 1.7976931348623157d308, &
         -1.7976931348623157d308, 1d99, 9.99999d99, 1d100, -1d100, 1d-99, &
         1d-100, 1d-101, 9.9999d-100, 1d300, 1d-300, 0.05d0, 0.15d0, 0.25d0, &
         0.35d0, 0.45d0, 1.05d0, 2.675d0, 1.005d0, 10000d0, 10000.5d0, &
         99999d0, 100000d0, 999999999d0, 1d9, 1.0000001d9, 0.001d0, 0.0010000001d0, &
         0.00099999d0, 1d-5, 0.99999d-5, 1.00001d-5, 3.14159265358979d0, &
         -3.14159265358979d0, 2.718281828d3, -2.718281828d-3, 6.02214076d23, &
         1.602176634d-19, 7.5d0, 8.5d0, -0.04d0, -0.05d0, -0.0004d0, 0.95d0, &
         9.5d0, 99.5d0, 999.5d0, 9999.5d0, 5d-1, 4.4999999d0, 55.55d0, &
         -999.9d0, 1d15, 1.5d16, 2d-3, -7.25d2, nan, inf, -inf /)
  fmts = (/ character(len=12) :: '(F3.0)', '(F4.3)', '(F5.1)', '(F6.3)', &
            '(F8.3)', '(F10.0)', '(F12.4)', '(F15.3)', '(F8.2)', &
            '(E12.4)', '(E10.3)', '(E9.4)', '(E15.7)', '(E11.2)', &
            '(ES15.7)', '(ES11.4)', '(ES12.4)', '(ES9.2)', '(ES10.3)' /)
  do i = 1, nv
    do j = 1, size(fmts)
      write(out, fmts(j)) v(i)
      f = fmts(j)
      call emit(f(2:len_trim(f)-1), v(i), out)
    end do
    ! The report's real cell in the usual widths.
    do k = 1, size(widths)
      w = widths(k)
      call cell(v(i), w, out)
      write(f, '(A,I0)') 'CELL', w
      call emit(trim(f), v(i), out)
    end do
  end do

  iv = (/ 0_8, 7_8, -7_8, 42_8, -42_8, 99999_8, -9999_8, -99999_8, 123456_8, &
          2147483647_8, -2147483648_8, 1000_8 /)
  ifmts = (/ character(len=12) :: '(I1)', '(I3)', '(I5)', '(I8)', '(I12)', '(I0)' /)
  do i = 1, size(iv)
    do j = 1, size(ifmts)
      write(out, ifmts(j)) iv(i)
      f = ifmts(j)
      write(*, '(A,A,I0,A,A,A)') f(2:len_trim(f)-1), '|', iv(i), '|', trim_right(out), '|'
    end do
  end do

contains

  function trim_right(s) result(r)
    character(len=*), intent(in) :: s
    character(len=:), allocatable :: r
    r = s(1:len_trim(s))
  end function

  subroutine emit(desc, x, s)
    character(len=*), intent(in) :: desc, s
    real(8), intent(in) :: x
    integer :: width, p, q
    character(len=40) :: vtxt
    ! The field width: the digits after the descriptor letters, up to any '.'.
    p = verify(desc, 'ESFCL')
    q = index(desc, '.') - 1
    if (q < 0) q = len(desc)
    read(desc(p:q), *) width
    if (x /= x) then
      vtxt = 'nan'
    else if (x > huge(x)) then
      vtxt = 'inf'
    else if (x < -huge(x)) then
      vtxt = '-inf'
    else
      write(vtxt, '(ES25.17E3)') x
    end if
    write(*, '(A,A,A,A,A,A)') desc, '|', trim(adjustl(vtxt)), '|', s(1:width), '|'
  end subroutine

  ! The report's real cell: one blank and the value in w-1 columns, the
  ! notation chosen by magnitude with single-precision thresholds.
  subroutine cell(x0, w, s)
    real(8), intent(in) :: x0
    integer, intent(in) :: w
    character(len=*), intent(out) :: s
    real(8) :: x
    real(4) :: t1, t2, t3
    character(len=32) :: f
    x = x0
    if (abs(x) < 1d-12) x = 0d0
    t1 = 10.0**(w-3) - 1.0
    t2 = 10.0**(9-w)
    t3 = 10.0**(7-w)
    if (x /= x) then
      s = '  Not-a-Number'
      return
    end if
    if (x == 0d0 .or. abs(x) < 1d-25) then
      write(f, '(A,I0,A,I0,A)') '(1X,F', w-1, '.', w-8, ')'
    else if (abs(x) > t1) then
      write(f, '(A,I0,A,I0,A)') '(1X,ES', w-1, '.', w-8, ')'
    else if (abs(x) > 10000d0) then
      write(f, '(A,I0,A)') '(1X,F', w-1, '.0)'
    else if (abs(x) > t2) then
      write(f, '(A,I0,A,I0,A)') '(1X,F', w-1, '.', w-7, ')'
    else if (abs(x) >= t3) then
      write(f, '(A,I0,A,I0,A)') '(1X,F', w-1, '.', w-5, ')'
    else
      write(f, '(A,I0,A,I0,A)') '(1X,ES', w-1, '.', w-8, ')'
    end if
    write(s, f) x
  end subroutine

end program
