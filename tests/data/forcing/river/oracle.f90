! Reference fluxes for the river tests. Reads rivers.txt (per river its node count, then
! position, longitude, latitude per node) and one line of standard input: flow option,
! the two flows, the two names, forcing option, profile file. Writes river.out and, on
! standard output, the formatted console lines (flow table, profile rows, factor lines).
program oracle
  implicit none
  double precision :: ilon(2, 20), ilat(2, 20), idist(2, 20), iflux(2, 20), iflow(2)
  double precision :: olon(2, 20), olat(2, 20), oflux(2, 20), odist(2, 20), oflow(2), p, s, q, a
  integer :: icnt(2), inode(2, 20), ocnt(2), r, k, f, flowopt, forcing, nfile, fmax, g
  character(len=120) :: irivname(2), orivname(2), pfile
  double precision, parameter :: cfs = 0.028316846592d0
  open(10, file='rivers.txt', status='old')
  do r = 1, 2
    read(10, *) icnt(r)
    do k = 1, icnt(r)
      read(10, *) inode(r, k), ilon(r, k), ilat(r, k)
    end do
    call measure(ilon(r, :), ilat(r, :), icnt(r), idist(r, :))
  end do
  close(10)
  read(*, *) flowopt, iflow(1), iflow(2), irivname(1), irivname(2), forcing, pfile
  if (flowopt == 1) then
    irivname(1) = 'Mississippi River'
    irivname(2) = 'Atchafalaya River'
    iflow(2) = iflow(1) / 0.7d0 * 0.3d0
    write(*, '(3a20)') 'River', 'Flowrate (cms)', 'Flowrate (cfs)'
    write(*, '(a20,2f20.2)') 'Mississippi', iflow(1), iflow(1) / cfs
    write(*, '(a20,2f20.2)') 'Atchafalya', iflow(2), iflow(2) / cfs
    write(*, '(a20,2f20.2)') 'Total', iflow(1) + iflow(2), (iflow(1) + iflow(2)) / cfs
  end if
  if (forcing == 1) then
    do r = 1, 2
      iflux(r, 1:icnt(r)) = iflow(r) / idist(r, icnt(r))
    end do
  else
    if (forcing == 2) then
      open(11, file=pfile, status='old')
      read(11, *)
      read(11, *)
      read(11, *) nfile
      read(11, *) fmax
      write(*, '(3a20)') 'River', 'Flowrate (cms)', 'Florate (cfs)'
      do g = 1, nfile
        read(11, '(a)') orivname(g)
        read(11, *) ocnt(g)
        do k = 1, ocnt(g)
          read(11, *) olon(g, k), olat(g, k), oflux(g, k)
        end do
        call measure(olon(g, :), olat(g, :), ocnt(g), odist(g, :))
        oflow(g) = integral(oflux(g, :), odist(g, :), ocnt(g))
        write(*, '(a20,2f20.2)') orivname(g), oflow(g), oflow(g) / cfs
      end do
      close(11)
    else
      orivname(1) = 'Mississippi River'
      orivname(2) = 'Atchafalaya River'
      ocnt = 13
      open(11, file='rivers.txt', status='old')
      do g = 1, 2
        read(11, *)
        do k = 1, 13
          read(11, *) f, olon(g, k), olat(g, k)
        end do
        call measure(olon(g, :), olat(g, :), ocnt(g), odist(g, :))
      end do
      close(11)
      oflux(1, 1:13) = (/ 2.36d0, 4.25d0, 5.86d0, 6.61d0, 6.89d0, 6.80d0, 5.76d0, 4.82d0, 2.83d0, 1.32d0, 0.66d0, &
                          0.66d0, 0.57d0 /)
      oflux(2, 1:13) = (/ 2.18d0, 2.18d0, 2.18d0, 2.18d0, 2.04d0, 2.00d0, 1.90d0, 1.81d0, 1.73d0, 1.64d0, 1.58d0, &
                          1.53d0, 1.46d0 /)
    end if
    write(*, '(a)') 'Linear Interpolation of Fluxes gives an adjustment factor of:'
    do r = 1, 2
      iflux(r, 1) = oflux(r, 1)
      iflux(r, icnt(r)) = oflux(r, ocnt(r))
      s = odist(r, ocnt(r)) / idist(r, icnt(r))
      do k = 2, icnt(r) - 1
        p = idist(r, k) * s
        do f = 2, ocnt(r)
          if (odist(r, f) >= p) exit
        end do
        f = min(f, ocnt(r))
        iflux(r, k) = oflux(r, f - 1) + (p - odist(r, f - 1)) * (oflux(r, f) - oflux(r, f - 1)) / &
                      (odist(r, f) - odist(r, f - 1))
      end do
      q = integral(iflux(r, :), idist(r, :), icnt(r))
      a = iflow(r) / q
      write(*, '(a30,f10.8)') orivname(r), a
      iflux(r, 1:icnt(r)) = iflux(r, 1:icnt(r)) * a
    end do
  end if
  open(12, file='river.out')
  do r = 1, 2
    do k = 1, icnt(r)
      write(12, '(f18.10,5x,f4.2,10x,a20,i10)') iflux(r, k), 0.0, '! ' // irivname(r), inode(r, k)
    end do
  end do
  close(12)
contains
  subroutine measure(lon, lat, n, d)
    double precision, intent(in) :: lon(:), lat(:)
    integer, intent(in) :: n
    double precision, intent(out) :: d(:)
    integer :: j
    d(1) = 0.0d0
    do j = 2, n
      d(j) = d(j - 1) + sqrt(((lon(j) - lon(j - 1)) * 96075.195d0)**2 + ((lat(j) - lat(j - 1)) * 110859.57d0)**2)
    end do
  end subroutine
  double precision function integral(qq, d, n)
    double precision, intent(in) :: qq(:), d(:)
    integer, intent(in) :: n
    integer :: j
    integral = qq(1) * d(2) * 0.5d0
    integral = integral + (d(n) - d(n - 1)) * 0.5d0 * qq(n)
    do j = 2, n - 1
      integral = integral + qq(j) * (d(j + 1) - d(j - 1)) * 0.5d0
    end do
  end function
end program
